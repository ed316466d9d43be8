#pragma once
// A readable listing of a record file open for reading, for people who look into workzone
// data. One line per record, fields separated by one TAB:
//   header<TAB>order=native|swapped<TAB>tag=TEXT<TAB>records=N<TAB>first=P<TAB>end=P
//         <TAB>formatted=0|1<TAB>word4=N<TAB>word20=N<TAB>flags=A,B,C
//   record<TAB>NUMBER<TAB>key=K<TAB>length=L<TAB>FIELD...
// A field of a formatted record is its type letter, ':' and its value (L 0/1, C and S as
// text, W I as decimal, R D in the shortest form that reads back exactly); an unformatted
// record shows "bytes:" and its data in hexadecimal. Texts escape backslash, TAB, line breaks
// and other control characters (\\ \t \n \r \xHH). "unread:N" counts data bytes no format
// entry covers, "error:S" ends a record that could not be read whole; a record that cannot be
// reached at all, or a header whose record count is negative, ends the listing with error<TAB>S.

#include <functional>
#include <string>

// Hands the listing of `unit` to `line` one line at a time (its line feed included), so that a
// listing of any length takes the memory of one record; returns the status: 0, or the first
// failure.
int record_dump(int unit, const std::function<void(const std::string&)>& line);
// The same, appended to `out`.
int record_dump(int unit, std::string* out);
