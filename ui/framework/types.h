// Plain types shared by the dialogs and the two back ends of the framework.
#pragma once

namespace ui {

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  bool operator==(const Rect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};

// Dialog results and message-box answers, numbered as Windows numbers them.
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;

enum class MessageButtons { kOk, kOkCancel };

// Edges of a window being sized, numbered as WM_SIZING numbers them.
enum SizingEdge {
  kEdgeLeft = 1,
  kEdgeRight = 2,
  kEdgeTop = 3,
  kEdgeTopLeft = 4,
  kEdgeTopRight = 5,
  kEdgeBottom = 6,
  kEdgeBottomLeft = 7,
  kEdgeBottomRight = 8,
};

// What a control is, as far as the dialogs' logic cares.
enum class ControlKind { kOther, kStatic, kEdit, kPushButton, kRadio, kGroupBox, kListView };

// A message taken from the message queue; opaque outside the Win32 back end.
struct NativeMessage;

}  // namespace ui
