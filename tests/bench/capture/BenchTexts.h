#pragma once
// Distinct texts for the capture loops. Every text ends in its serial number, so that a
// reader can tell which write it saw from its last bytes alone.

#include <cstddef>
#include <string>

namespace slotpad::bench {

// A short line such as "SlotPad capture benchmark, text #00000042".
std::string ShortText(int serial);

// Exactly `length` bytes of CR LF separated lines of letters, ending in `kind` and the
// serial. Each serial has a letter-case pattern of its own, so that two of these texts of
// one length are equal ignoring case only when their serials are, and comparing them
// ignoring case runs over the whole text, case-folding about every other letter.
std::string LongText(int serial, char kind, std::size_t length);

}  // namespace slotpad::bench
