// What fake_member.exe leaves behind when it is started.
//
// Every start appends one record to kLaunchRecordFile in the folder of the
// executable itself (so each program folder of a test has its own file).
// A record is three lines, each ended by CR LF, always in this order:
//
//   cmdline=<GetCommandLineA() as raw bytes>
//   cwd=<GetCurrentDirectoryA() at start, as the system returns it>
//   module=<GetModuleFileNameA() of the executable, i.e. the member name it ran as>
//
// The values are the system's narrow (ANSI code page) bytes, unchanged; a
// command line holds no CR or LF, so a line end always ends a value. The
// whole record is written with one append, so records of members started
// one after another never interleave.
#pragma once

namespace fake_member {

constexpr char kLaunchRecordFile[] = "launch_record.txt";
constexpr char kCommandLineKey[] = "cmdline=";
constexpr char kWorkingFolderKey[] = "cwd=";
constexpr char kModuleKey[] = "module=";

}  // namespace fake_member
