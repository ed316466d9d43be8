#pragma once
// One table drives a property page. Each row names a control: its id, kind, resource name (also
// its caption key), the template's caption, its place, the page variable it exchanges and, for an
// apply check, the parameter it applies, what its click does and whether Set All ticks it.
// Building the controls, the exchange in both directions, loading, storing, Set All and the
// accessible names all read the same rows, so they cannot drift apart.

#include <optional>
#include <span>
#include <string>
#include <variant>

#include "tool/parameter_table.h"

// A picture's caption names it (see pictures.h); the page draws it at the size it needs.
enum class ControlKind {
    Group,
    Label,
    Units,
    Check,
    Radio,
    TextEdit,
    RealEdit,
    IntegerEdit,
    Button,
    Picture
};

// What a click on a check or radio button does; each page handles the kinds it uses.
enum class Click { None, Field, Stepover, ZStep, Cutter, LeadIn, PageOnly, Rule, Default };

// Groups sit in the page's grid of groups at row and column, over `span` columns and `rows` rows.
// Other controls sit in the grid of their group (`parent` is its id), or with parent kTopOfPage
// in the grid above the groups. The radio buttons of one row share its cell side by side.
inline constexpr int kTopOfPage = 0;
struct Place {
    int parent = kTopOfPage;
    int row = 0;
    int column = 0;
    int span = 1;
    int rows = 1;
};

// An inclusive range that an edit's value must lie in.
struct Range {
    double minimum;
    double maximum;
};

// The part of a row that does not depend on the page's variables.
struct ControlRow {
    int id = 0;  // 0 for unit labels, which the template does not number
    ControlKind kind = ControlKind::Label;
    const char* name = nullptr;  // null where the template gives no resource name
    const char* caption = "";
    Place place;
    int radioIndex = 0;            // a radio button's position in its group
    int buddy = 0;                 // an edit's label or apply check, which names it
    ParameterIndex parameter = 0;  // what an apply check puts into the tool
    Click click = Click::None;
    bool setAll = false;
    std::optional<Range> range;
};

template <typename Data>
using PageVariable = std::variant<std::monostate, bool Data::*, int Data::*, float Data::*,
                                  double Data::*, std::string Data::*>;

template <typename Data>
struct PageControl : ControlRow {
    PageVariable<Data> variable;
};

template <typename Data>
using PageTableRows = std::span<const PageControl<Data>>;
