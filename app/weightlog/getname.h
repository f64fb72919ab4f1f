#pragma once

#include <string>

// The person name of a weight log's path: the text between the last folder
// separator and the last dot; empty when there is no dot, when the dot lies
// before the separator or directly follows it.
std::string GetName(const std::string& path);
