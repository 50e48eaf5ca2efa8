#include "ui/help_text.hpp"

#include <array>

namespace polycryst::ui {
namespace {

// Lines are broken by hand; see the layout rules in the header. Both tables are
// std::array<std::string_view, N> with N counted by the compiler.
constexpr auto kLeft = std::to_array<std::string_view>({
    "PREFACE",
    "    This program simulates the growth of polymer crystals in a thin layer",
    "    held between two glass plates, the way the film looks when it is",
    "    watched under a polarising microscope. Every nucleus grows into a",
    "    crystal, and the crystals go on growing until they meet one another",
    "    and fill the whole space. No knowledge of the science behind it is",
    "    needed: you can simply play with the settings, like a game, and watch",
    "    the crystals fill the field.",
    "",
    "CONDITION SETTING",
    "    Set the conditions below before you press [Start].",
    "",
    "1. Slot number",
    "    The results of up to eight runs are kept, one in each of eight slots.",
    "    To clear one occupied slot, press the \"Clear one\" button and enter",
    "    the number of the slot; to clear all the slots at once, press",
    "    [Clear all].",
    "",
    "2. Growth Mode",
    "    Choose \"Spherulite\" or \"Cylindrite\" as the form of the crystals *1).",
    "    For cylindrites give the height as well (1 to 180): it is the length",
    "    of the needle-like nuclei, and so it sets the height, or thickness, of",
    "    the cylindrites that grow from them. All crystals grow at the same",
    "    rate *2).",
    "    *1) Growth perpendicular to the glass plates is restricted, so the",
    "         bodies that grow are two-dimensional: discs for spherulites and",
    "         rectangular plates for cylindrites.",
    "    *2) The growth rate cannot be changed; it is fixed at one cell",
    "         ([one bit]) per time unit.",
    "",
    "3. Number of nuclei",
    "    Enter the number of nuclei, from 1 to 2500. The nuclei are scattered",
    "    at random over the whole field.",
    "",
    "4. Retardation Plate",
    "    Choose \"Off\" or \"On\". A retardation plate put into the light path",
    "    between the polariser and the analyser colours the light according to",
    "    the birefringence of the crystals. With \"Off\", the default, the",
    "    background is black; with \"On\" it turns reddish, and the crystals",
    "    show blue and yellow quadrants.",
    "",
    "5. Field size",
    "    Choose [500x500], [1000x1000] or [2000x2000]. Whatever the field size,",
    "    the picture is always a matrix of 500 x 500 points.",
});

constexpr auto kRight = std::to_array<std::string_view>({
    "OPERATION",
    "    Press [Start] (or the Enter key) to make the crystals grow. At the same",
    "    time the rise of the crystallinity X and its rate dX/dt are traced in",
    "    the frame on the right. [Halt/Resume] halts the run or lets it go on,",
    "    [Quit] finishes a halted run, and [Clear graph] wipes the traces from",
    "    the graph.",
    "",
    "ANALYSIS",
    "    The results of the runs are examined in the three ways below.",
    "",
    "1. Avrami Plot   ",
    "    The plot shows log10[-ln(1 - X)] against log10(t). The Avrami exponent",
    "    n follows as the slope of the least-squares line through the points,",
    "    and the constant K as its intercept at log10(t) = 0. The upper limit",
    "    of X for the points of the line can be changed in the box at the",
    "    bottom of the page, from 0.9 to 0.99999; pressing Enter in the box",
    "    applies it too.",
    "",
    "2. X and dX/dt vs. time graph",
    "    The curves of X and dX/dt are shown again against time, with dX/dt",
    "    smoothed twice: first by the thirteen-point cubic method and then by",
    "    the seven-point cubic method. Theory says that for n = 2 the",
    "    crystallinity at the maximum of dX/dt takes the one value 0.3935,",
    "    whatever K is. A vertical line is therefore drawn through the rate",
    "    maximum of each set of curves, so that this can be checked. The time",
    "    and dX/dt scales can be changed with the \"+\" and \"-\" buttons.",
    "",
    "3. Summary",
    "    All the results are collected in the grid. The check boxes at its",
    "    left choose which runs the plots show.",
    "",
    "NOTE",
    "    polycryst was first written as a classroom demonstration of the",
    "    kinetics of polymer crystallisation, to be shown in lectures and tried",
    "    out by students in class. It is maintained by the polycryst",
    "    developers. This version (2026), the latest change to the program,",
    "    runs on Linux with Qt 6.",
});

}  // namespace

std::span<const std::string_view> HelpTextLeft() { return kLeft; }

std::span<const std::string_view> HelpTextRight() { return kRight; }

}  // namespace polycryst::ui
