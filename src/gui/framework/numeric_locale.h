#pragma once
// Numbers in files are written with a point whatever the user's locale. Qt sets the C library's
// locale from the environment when the application object is made; the program calls this right
// after, and the C library's numeric locale stays "C" for the whole process.

void keepNumericLocaleC();
