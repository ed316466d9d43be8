#pragma once
// The wait cursor for the life of the object: the application's override cursor, so it shows
// over every window. Nested objects stack and each restores its own.

class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};
