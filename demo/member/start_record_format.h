// Every start of the member program appends one line to this file beside it:
// "module|command line|working folder", the system's ANSI bytes unchanged.
#pragma once

namespace member {
constexpr char kStartRecordFile[] = "start_record.txt";
}
