#pragma once
// Save As of a tool the library check finds wrong: the edited tool and its Fedrix settings are
// checked as they would be written, and a tool with an error is saved only after one question
// that lists its errors. Warnings never ask; nothing is ever refused.

class CPageFedrix;
class ToolParameterSet;

// True when the tool may be saved: it has no error, or the user answered Yes. `fedrix` is the
// page whose settings the save writes beside the tool; null when it writes none.
bool MaySaveDespiteErrors(const ToolParameterSet& tool, CPageFedrix* fedrix);
