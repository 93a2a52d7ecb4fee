#include "core/control_table.h"

namespace mosa {

namespace {

template <Kind kind>
std::unique_ptr<Control> make(const ControlRow& row) {
  return std::make_unique<typename ControlOf<kind>::Type>(row);
}

}  // namespace

std::unique_ptr<Control> make_control(const ControlRow& row) {
  switch (row.kind) {
    case Kind::Button: return make<Kind::Button>(row);
    case Kind::CheckBox: return make<Kind::CheckBox>(row);
    case Kind::TextBox: return make<Kind::TextBox>(row);
    case Kind::ComboBox: return make<Kind::ComboBox>(row);
    case Kind::DirList: return make<Kind::DirList>(row);
    case Kind::Label: return make<Kind::Label>(row);
    case Kind::Line: break;
  }
  return make<Kind::Line>(row);
}

}  // namespace mosa
