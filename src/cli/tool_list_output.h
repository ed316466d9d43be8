#pragma once
// A row of the tool list as list and find print it: the image, the eleven columns, the shape.

#include "app/tool_list_rows.h"

void PrintToolListRow(const ToolListRow& row);
