// The roster's files on Windows, named in UTF-8 and opened by their UTF-16
// names, so any file Explorer can drop on the program opens.
#pragma once

#include <string>
#include <string_view>

namespace roster {

bool ReadRosterFile(const std::string& path, std::string& bytes, std::string& why);
bool ReplaceRosterFile(const std::string& path, std::string_view bytes, std::string& why);
bool SameRosterFile(const std::string& a, const std::string& b);

}  // namespace roster
