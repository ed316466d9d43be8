#pragma once
// Short forms for the rows of a page's table, one per kind of control.

#include <optional>
#include <string>
#include <type_traits>

#include "gui/pages/page_table.h"

namespace page_rows {

template <typename Data>
PageControl<Data> Group(int id, const char* name, const char* caption, int row, int column,
                        int span = 1, int rows = 1) {
    PageControl<Data> control;
    control.id = id;
    control.kind = ControlKind::Group;
    control.name = name;
    control.caption = caption;
    control.place = {kTopOfPage, row, column, span, rows};
    return control;
}

template <typename Data>
PageControl<Data> Label(int id, const char* name, const char* caption, Place place) {
    PageControl<Data> control;
    control.id = id;
    control.name = name;
    control.caption = caption;
    control.place = place;
    return control;
}

// A unit the template does not number, such as "mm/min".
template <typename Data>
PageControl<Data> Units(const char* caption, Place place) {
    PageControl<Data> control;
    control.kind = ControlKind::Units;
    control.caption = caption;
    control.place = place;
    return control;
}

// Angles are degrees; the caption is the installation's unit text.
template <typename Data>
PageControl<Data> Degrees(int id, Place place) {
    PageControl<Data> control = Units<Data>("Deg", place);
    control.id = id;
    control.name = "IDC_DEGREE";
    return control;
}

// Lengths are millimetres whatever unit the workzone uses.
template <typename Data>
PageControl<Data> Millimetres(Place place) {
    return Units<Data>("mm", place);
}

template <typename Data>
PageControl<Data> Button(int id, const char* name, const char* caption, Place place, Click click) {
    PageControl<Data> control;
    control.id = id;
    control.kind = ControlKind::Button;
    control.name = name;
    control.caption = caption;
    control.place = place;
    control.click = click;
    return control;
}

// `picture` names the picture; the page sets its size and draws it.
template <typename Data>
PageControl<Data> Picture(const char* picture, Place place) {
    PageControl<Data> control;
    control.kind = ControlKind::Picture;
    control.caption = picture;
    control.place = place;
    return control;
}

template <typename Data>
PageControl<Data> Check(int id, const char* name, const char* caption, Place place,
                        bool Data::*variable, Click click, ParameterIndex parameter = 0,
                        bool setAll = true) {
    PageControl<Data> control;
    control.id = id;
    control.kind = ControlKind::Check;
    control.name = name;
    control.caption = caption;
    control.place = place;
    control.variable = variable;
    control.parameter = parameter;
    control.click = click;
    control.setAll = setAll;
    return control;
}

template <typename Data>
PageControl<Data> Radio(int id, const char* name, const char* caption, Place place,
                        int Data::*variable, int index, Click click) {
    PageControl<Data> control;
    control.id = id;
    control.kind = ControlKind::Radio;
    control.name = name;
    control.caption = caption;
    control.place = place;
    control.variable = variable;
    control.radioIndex = index;
    control.click = click;
    return control;
}

template <typename Data, typename Value>
PageControl<Data> Edit(int id, Place place, Value Data::*variable, int buddy,
                       std::optional<Range> range = std::nullopt) {
    PageControl<Data> control;
    control.id = id;
    if constexpr (std::is_same_v<Value, float> || std::is_same_v<Value, double>) {
        control.kind = ControlKind::RealEdit;
    } else if constexpr (std::is_same_v<Value, int>) {
        control.kind = ControlKind::IntegerEdit;
    } else {
        control.kind = ControlKind::TextEdit;
    }
    control.place = place;
    control.variable = variable;
    control.buddy = buddy;
    control.range = range;
    return control;
}

}  // namespace page_rows
