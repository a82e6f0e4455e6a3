// Reading a dialog script: one action a line; blank lines and lines whose
// first non-blank character is "#" are passed over.
//
//   panel features|printtype|accounting      page N
//   choose TARGET #N|KEYWORD|"key"           check TARGET on|off
//   radio TARGET       press TARGET          step TARGET up|down
//   type TARGET TEXT   (TEXT: the rest of the line after one space, verbatim)
//   print   save   help   dump   preset save NAME   preset load NAME
//
// TARGET is a tag (123), a PPD option keyword (QVColorMode), a title key in
// double quotes ("Setup Button Title", with \" and \\ inside) or a class
// (@PFWndOKButton, @PFWndOKButton#2).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/ScriptAction.h"

namespace host {

// Every action of the script; nothing, with "line N: ..." in `error`, at the
// first line that is no well-formed action.
std::optional<std::vector<ScriptAction>> ParseScript(std::string_view script, std::string& error);

} // namespace host
