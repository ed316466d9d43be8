#pragma once
// The commands of cutterbase-cli. Each takes the arguments after its name and returns the
// process exit status. Output: one record a line, fields separated by one TAB.

#include <string>
#include <vector>

using CommandArguments = std::vector<std::string>;

int command_env(const CommandArguments& arguments);
int command_expand(const CommandArguments& arguments);
int command_message(const CommandArguments& arguments);
int command_startup(const CommandArguments& arguments);
int command_toolpath(const CommandArguments& arguments);
int command_show(const CommandArguments& arguments);
int command_check(const CommandArguments& arguments);
int command_apply(const CommandArguments& arguments);
int command_fedrix(const CommandArguments& arguments);
int command_records(const CommandArguments& arguments);
int command_tree(const CommandArguments& arguments);
int command_list(const CommandArguments& arguments);
int command_find(const CommandArguments& arguments);
int command_vet(const CommandArguments& arguments);
