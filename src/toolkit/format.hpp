#pragma once
// Number pictures and the general decimal form.
//
// A picture is read from left to right:
//   '0'   a digit that is always written;
//   '#'   a digit written only when significant (no leading zeros in the integer
//         part, no trailing zeros in the fraction);
//   '.'   the first one is the decimal point; the value is rounded (half away from
//         zero, on the exact binary value) to as many decimals as digit places follow
//         it; the separator is written only when a fraction digit follows it;
//   "E+", "E-" after the digit places: scientific notation; the mantissa keeps as many
//         integer digits as digit places stand before the point and as many
//         significant digits as there are digit places; then 'E', the exponent's sign
//         ('+' writes it always, '-' only when negative) and at least as many exponent
//         digits as '0' characters follow the sign (at least one; a '#' there is an
//         exponent digit written only when needed);
//   anything else is copied unchanged.
// Integer digits beyond the picture's digit places are all written (',' is copied, it
// does not group). A negative value gets its '-' ahead of everything, leading copied
// characters included, and no '-' when the rounded result is zero. In scientific
// notation zero writes one mantissa digit "0" and exponent 0.
//
//   FormatPicture(" ##.####", -4.1049) == "- 4.1049"
//   FormatPicture(" #.###E+", 0.000025) == " 2.5E-5"
//   FormatPicture("###.", 0.0) == ""

#include <string>
#include <string_view>

namespace polycryst::toolkit {

std::string FormatPicture(std::string_view picture, double value);

// The shortest decimal text of at most 15 significant digits that reads back as the
// value so rounded ("0.99", "1E-5", "12345.678"); "NAN", "INF" and "-INF" otherwise.
// Fixed notation while the rounded value lies in [1E-4, 1E15), else "d.dddE+x" with
// the exponent's sign always written and no leading zeros ("1.5E+20", "1E-5").
std::string FormatGeneral(double value);

}  // namespace polycryst::toolkit
