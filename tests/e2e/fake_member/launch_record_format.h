// Every start of fake_member.exe appends one line to this file beside it:
// "module|command line|working folder", the system's ANSI bytes unchanged.
#pragma once

namespace fake_member {
constexpr char kLaunchRecordFile[] = "launch_record.txt";
}
