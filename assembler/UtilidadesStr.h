#pragma once
// Number and file-name helpers shared by the assembler, the machine and the views.

#include <stdexcept>
#include <string>

namespace velmo {

/// Raised when a character that is not a hexadecimal digit is converted.
class ErrorConversion : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// The four binary digits of one hexadecimal digit ("A" gives "1010").
std::string CharHexaToStrBin(char c);

/// The low n bits of the value's 16-bit two's complement, most significant first; bits above 15 are "0".
std::string Int2Bin(int value, int n);

/// The name without its last extension; "/" and "\" both separate folders.
std::string QuitaExtension(const std::string& name);

} // namespace velmo
