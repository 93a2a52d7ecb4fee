#include "screnc/arguments.h"

#include <algorithm>

#include "encoder/markup.h"

namespace screnc {

namespace {

constexpr std::u16string_view kSwitchNames[] = {u"?", u"s", u"f", u"xl", u"l", u"e"};

bool is_switch(std::u16string_view arg, PathStyle style) {
  if (arg.size() < 2) return false;
  if (arg[0] == u'-') return true;
  if (arg[0] != u'/') return false;
  const std::u16string_view name = arg.substr(1);
  if (style == PathStyle::Windows) return name.find(u'/') == std::u16string_view::npos;
  return std::ranges::any_of(kSwitchNames,
                             [&](std::u16string_view known) { return equals_ascii_ci(name, known); });
}

}  // namespace

std::variant<Arguments, HelpRequest, ArgumentError> parse_arguments(
    const std::vector<std::u16string>& args, PathStyle style) {
  using Problem = ArgumentError::Problem;
  Arguments parsed;
  std::vector<std::u16string> paths;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::u16string& arg = args[i];
    if (!is_switch(arg, style)) {
      paths.push_back(arg);
      continue;
    }
    const std::u16string_view name = std::u16string_view(arg).substr(1);
    if (name == u"?") return HelpRequest{};
    if (equals_ascii_ci(name, u"s")) {
      parsed.silent = true;
    } else if (equals_ascii_ci(name, u"f")) {
      parsed.force = true;
    } else if (equals_ascii_ci(name, u"xl")) {
      parsed.options.add_directive = false;
    } else if (equals_ascii_ci(name, u"l") || equals_ascii_ci(name, u"e")) {
      if (i + 1 == args.size()) return ArgumentError{Problem::MissingValue, arg};
      const std::u16string& value = args[++i];
      if (equals_ascii_ci(name, u"e")) {
        parsed.assumed_kind = file_kind_for_extension(value);
        if (!parsed.assumed_kind) return ArgumentError{Problem::BadKind, value};
      } else {
        parsed.options.language = chosen_language(language_name(value), std::nullopt);
        if (!parsed.options.language) return ArgumentError{Problem::BadLanguage, value};
      }
    } else {
      return ArgumentError{Problem::UnknownSwitch, arg};
    }
  }
  if (paths.size() < 2) return ArgumentError{Problem::WrongCount, u""};
  parsed.output = std::move(paths.back());
  paths.pop_back();
  parsed.inputs = std::move(paths);
  parsed.into_folder = parsed.inputs.size() > 1 || is_pattern(name_of(parsed.inputs[0], style));
  return parsed;
}

bool may_be_switch(std::u16string_view input, PathStyle style) {
  return style == PathStyle::Posix && input.size() > 1 && input[0] == u'/' &&
         input.find(u'/', 1) == std::u16string_view::npos && !is_pattern(input);
}

}  // namespace screnc
