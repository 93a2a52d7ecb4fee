#pragma once
// A window's control table with a role for each row: the rows are the table the
// view builds the window from, and the roles reach the controls made from them.
// A row out of its role's place, or a role without a row, does not compile.
#include <array>
#include <cstddef>
#include <memory>
#include <vector>

#include "core/control.h"

namespace mosa {

template <class Role>
struct RoleRow {
  Role role;
  ControlRow row;
};

// The rows of a table in its order, checked to stand where their roles say.
template <class Role, std::size_t N>
consteval std::array<ControlRow, N> rows_in_role_order(const RoleRow<Role> (&table)[N]) {
  static_assert(N == static_cast<std::size_t>(Role::count), "every role needs a row");
  std::array<ControlRow, N> rows{};
  for (std::size_t i = 0; i < N; ++i) {
    if (static_cast<std::size_t>(table[i].role) != i) throw "a row stands out of its role's place";
    rows[i] = table[i].row;
  }
  return rows;
}

// The model class of each kind of control.
template <Kind kind> struct ControlOf { using Type = Control; };
template <> struct ControlOf<Kind::Button> { using Type = Button; };
template <> struct ControlOf<Kind::CheckBox> { using Type = CheckBox; };
template <> struct ControlOf<Kind::TextBox> { using Type = TextBox; };
template <> struct ControlOf<Kind::ComboBox> { using Type = ComboBox; };
template <> struct ControlOf<Kind::DirList> { using Type = DirList; };

// The model of the kind a row names, with a combo box's list still empty.
std::unique_ptr<Control> make_control(const ControlRow& row);

// The controls of a window, made from its rows in their order and reached by role
// as the class their row's kind gives.
template <class Role, const auto& kRows>
class ControlSet {
 public:
  ControlSet() {
    for (const ControlRow& row : kRows) {
      owned_.push_back(make_control(row));
      all_.push_back(owned_.back().get());
    }
  }

  template <Role role>
  auto& get() const {
    using Type = typename ControlOf<kRows[static_cast<std::size_t>(role)].kind>::Type;
    return static_cast<Type&>(*all_[static_cast<std::size_t>(role)]);
  }
  const std::vector<Control*>& all() const { return all_; }

 private:
  std::vector<std::unique_ptr<Control>> owned_;
  std::vector<Control*> all_;
};

}  // namespace mosa
