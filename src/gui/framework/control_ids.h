#pragma once
// Controls carry the numeric id of the dialog tables as the dynamic property "controlId" and
// their resource name (IDC_..., IDD_...) as objectName, the key of their caption in the language
// file. A dialog or page marks itself with setDialogId and each control with setControlId when it
// builds them, and then finds a control by id with findControl. The search covers that one
// dialog or page: it does not enter nested pages or other windows, because ids repeat across
// pages (1011, 1016, 1017, 1030-1032, 1089 ...).
//
// The tables' click handlers connect to `clicked`, which only the user's click emits, never to
// `toggled` or `stateChanged`: setting a check box from code must not run its handler (a caller
// that needs the handler, such as Set All, calls it directly). Selection notifications of trees
// and lists, in contrast, fire for a selection made by code too.

#include <QWidget>

inline constexpr char kControlIdProperty[] = "controlId";
inline constexpr char kDialogIdProperty[] = "dialogId";

// `resourceName` may be null where the tables give no name.
void setControlId(QWidget* control, int id, const char* resourceName = nullptr);
void setDialogId(QWidget* dialog, int id, const char* resourceName = nullptr);
// The id of a control or of a dialog or page; 0 when it has none.
int controlId(const QObject* object);
int dialogId(const QObject* object);

// The first control with the id inside `dialog` (not `dialog` itself), depth first in creation
// order; null
// when there is none.
QWidget* findControl(const QWidget* dialog, int id);

template <typename Widget>
Widget* findControl(const QWidget* dialog, int id) {
    return qobject_cast<Widget*>(findControl(dialog, id));
}
