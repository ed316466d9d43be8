#pragma once
// Assistive technology acts like the mouse: the accessible Toggle or Press action of a check box
// or radio button clicks it, so the window's click handler runs as for a mouse click (Qt's own
// action only toggles the button, which emits no click). Windows call this before they build
// their buttons; installing it again changes nothing.

void installAccessibleInput();
