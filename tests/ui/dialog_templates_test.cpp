// The dialog templates as the program ships them: ids, kinds, captions,
// positions and styles, in tab order.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "ui/framework/memory/resource_script.h"

namespace ui {
namespace memory {
namespace {

const unsigned long kVisible = 0x10000000UL;
const unsigned long kGroup = 0x00020000UL;
const unsigned long kTabStop = 0x00010000UL;

struct Expected {
  int id;
  const char* className;
  unsigned long type;  // low four style bits (button kind, static kind)
  const char* caption;
  int x, y, cx, cy;
  bool visible;
};

void ExpectControls(const DialogTemplate& d, const std::vector<Expected>& expected) {
  ASSERT_EQ(d.controls.size(), expected.size()) << "dialog " << d.id;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const ControlTemplate& c = d.controls[i];
    const Expected& e = expected[i];
    SCOPED_TRACE("dialog " + std::to_string(d.id) + " control " + std::to_string(i));
    EXPECT_EQ(c.id, e.id);
    EXPECT_EQ(c.className, e.className);
    EXPECT_EQ(c.style & 0x0F, e.type);
    EXPECT_EQ(c.text, e.caption);
    EXPECT_EQ(c.x, e.x);
    EXPECT_EQ(c.y, e.y);
    EXPECT_EQ(c.cx, e.cx);
    EXPECT_EQ(c.cy, e.cy);
    EXPECT_EQ((c.style & kVisible) != 0, e.visible);
  }
}

const DialogTemplate& Dialog(int id) {
  const DialogTemplate* d = ResourceScript::Program().FindDialog(id);
  if (d == nullptr) ADD_FAILURE() << "no dialog " << id;
  static const DialogTemplate none;
  return d != nullptr ? *d : none;
}

TEST(DialogTemplates, ScriptParses) {
  ResourceScript script;
  std::string error;
  EXPECT_TRUE(script.Parse(kResourceScript, kResourceHeader, &error)) << error;
  EXPECT_EQ(script.DialogCount(), 3);
  EXPECT_EQ(script.String(IDS_ABOUTBOX), "About ORVENT Project Selector(&A)...");
}

TEST(DialogTemplates, SelectorWindow) {
  const DialogTemplate& d = Dialog(IDD_SELECTOR);
  EXPECT_EQ(d.caption, "ORVENT Project Selector");
  EXPECT_EQ(d.className, "CORVENTApp");
  EXPECT_EQ(d.fontFace, "MS Shell Dlg");
  EXPECT_EQ(d.pointSize, 8);
  EXPECT_EQ(d.cx, 521);
  EXPECT_EQ(d.cy, 343);
  // Visible popup, caption, system menu, sizing border, minimise and
  // maximise boxes; shown in the taskbar.
  EXPECT_EQ(d.style & 0xFFFF0000UL, 0x80000000UL | 0x10000000UL | 0x00C00000UL | 0x00080000UL |
                                        0x00040000UL | 0x00020000UL | 0x00010000UL);
  EXPECT_EQ(d.exStyle, 0x00040000UL);
  ExpectControls(d,
                 {
                     {1012, "Button", 7, "Recent Projects", 7, 79, 507, 257, true},
                     {1009, "SysListView32", 13, "", 14, 94, 493, 220, true},  // report, single row
                     {1004, "Button", 0, "&Last Application...", 316, 318, 90, 14, true},
                     {1005, "Button", 0, "Select &Application...", 418, 318, 90, 14, true},
                     {1008, "Button", 0, "&Delete selected history", 14, 318, 101, 14, true},
                     {1011, "Button", 7, "Project Task", 7, 7, 140, 61, true},
                     {1002, "Button", 0, "Create &New Project...", 19, 20, 115, 14, true},
                     {1003, "Button", 0, "Select &Open Project...", 19, 42, 115, 14, true},
                     {1001, "Button", 0, "&Exit", 444, 12, 64, 14, true},
                     {1006, "Button", 0, "&Help...", 444, 34, 64, 14, true},
                 });
  EXPECT_NE(d.controls[1].style & kTabStop, 0u) << "the grid is a tab stop";
}

TEST(DialogTemplates, ProjectDialog) {
  const DialogTemplate& d = Dialog(IDD_PROJECT);
  EXPECT_EQ(d.caption, "ORVENT");
  EXPECT_EQ(d.cx, 433);
  EXPECT_EQ(d.cy, 208);
  EXPECT_EQ(d.fontFace, "MS Shell Dlg");
  EXPECT_NE(d.style & 0x80UL, 0u) << "modal frame";
  EXPECT_NE(d.style & 0x00080000UL, 0u) << "system menu";
  ExpectControls(d, {
                        {-1, "Static", 0, "Project name :", 11, 11, 73, 8, true},
                        {1016, "Edit", 0, "", 11, 24, 199, 14, true},
                        {1034, "Static", 0, "Location :", 11, 45, 84, 8, true},
                        {1017, "Edit", 0, "", 11, 58, 362, 14, true},
                        {1007, "Button", 0, "&Reference...", 374, 58, 51, 14, true},
                        {1019, "Button", 9, "Basic", 22, 100, 46, 10, true},
                        {1020, "Button", 9, "Energy", 22, 119, 49, 10, true},
                        {1021, "Button", 9, "Engineering", 22, 138, 65, 10, true},
                        {1013, "Button", 7, "Application", 12, 84, 125, 74, true},
                        {1022, "Button", 9, "Measurement data", 165, 100, 97, 10, true},
                        {1023, "Button", 9, "Meso-scale database", 165, 119, 97, 10, true},
                        {1024, "Button", 9, "Design wind speed", 165, 138, 97, 10, true},
                        {1025, "Button", 9, "Extreme wind", 165, 156, 97, 10, false},
                        {1026, "Button", 9, "Wind power", 165, 173, 97, 10, false},
                        {1014, "Button", 7, "Project Type", 155, 84, 125, 74, true},
                        {1027, "Button", 9, "Tokyo datum", 307, 100, 74, 10, true},
                        {1028, "Button", 9, "JGD2011", 307, 119, 74, 10, true},
                        {1029, "Button", 9, "WGS84", 307, 138, 74, 10, false},
                        {1015, "Button", 7, "Geodetic System", 298, 84, 125, 74, true},
                        {1000, "Button", 1, "&OK", 318, 187, 50, 14, true},
                        {1001, "Button", 0, "&Cancel", 375, 187, 50, 14, true},
                    });
  // Group starts and tab stops: the Application and Project Type groups are
  // tab stops, the Geodetic System group is not.
  auto style = [&](std::size_t i) { return d.controls[i].style; };
  EXPECT_EQ(style(5) & (kGroup | kTabStop), kGroup | kTabStop);
  EXPECT_EQ(style(9) & (kGroup | kTabStop), kGroup | kTabStop);
  EXPECT_EQ(style(15) & (kGroup | kTabStop), kGroup);
  EXPECT_NE(style(19) & kGroup, 0u) << "OK ends the geodetic group";
  for (std::size_t i : {6u, 7u, 10u, 11u, 12u, 13u, 16u, 17u}) EXPECT_EQ(style(i) & kGroup, 0u);
}

TEST(DialogTemplates, AboutBox) {
  const DialogTemplate& d = Dialog(IDD_ABOUTBOX);
  EXPECT_EQ(d.caption, "About ORVENT Project Selector");
  EXPECT_EQ(d.cx, 277);
  EXPECT_EQ(d.cy, 47);
  ExpectControls(
      d, {
             {-1, "Static", 3, "#128", 11, 11, 21, 20, true},
             {-1, "Static", 0, "ORVENT Project Selector Version 1.0", 40, 10, 173, 8, true},
             {-1, "Static", 0, d.controls.size() > 2 ? d.controls[2].text.c_str() : "", 40, 25, 185,
              8, true},
             {1, "Button", 1, "OK", 220, 7, 50, 14, true},
         });
  EXPECT_NE(d.controls[1].style & 0x80UL, 0u) << "no prefix characters in the version line";
  EXPECT_NE(d.controls[2].text.find("HALVORN"), std::string::npos);
}

}  // namespace
}  // namespace memory
}  // namespace ui
