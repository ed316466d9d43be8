#pragma once
// String expansion: "$NAME" by a variable, "?NAME" by a path variable, with the fixed-length,
// blank-padded buffers several callers keep their texts in.

#include <string>

// Expands the `length` characters of `buffer` in place; the result is blank-padded.
// Status 0, -31, -32, -41 or -43 (undefined name: the text is still complete). An unclosed
// bracket gives -31 and the rest is still copied; references that never end (a value naming
// itself, directly or through others) give -31 too, but stop the expansion, and a stopped
// expansion leaves the buffer unchanged.
void expchaine(char* buffer, int* status, int length);

// expchaine, then every run of '/' and '\' becomes the platform separator and "./" segments
// are dropped (when the status is 0 or -43).
void expand_path(char* buffer, int* status, int length);

// Terminated-text forms: `text` is expanded within `capacity` characters; the status is
// returned and trailing blanks are removed from the result.
int expand_text(std::string& text, int capacity);
int expand_path_text(std::string& text, int capacity);

void expand_path_fixed(const char* source, int source_length, char* destination,
                       int destination_length, int* status);
void check_path_fixed(const char* source, int length, int* status);

// "?LIST/file": the first element of the path list that holds the file (status 0), else the
// first candidate with -21.
int search_file(std::string& text, int capacity);
void search_file_fixed(const char* source, int source_length, char* destination,
                       int destination_length, int* status);
