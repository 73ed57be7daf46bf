#pragma once
// SHA-256 (FIPS 180-4) of the bytes a run read, so that the report's audit trail ties each result
// to the exact run file and spectrum files it came from.
#include <string>

// The digest as 64 lower-case hex digits.
std::string sSha256Hex(const std::string& bytes);
