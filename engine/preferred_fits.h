#pragma once

#include <span>
#include <string_view>

class DialogView;

// Preferred fit designations of a fit class for a basis, in the order they are shown; none for a
// basis or fit class off its scale.
std::span<const std::string_view> PreferredFits(int basis, int fitClass);

// A fit-class button: stores the class and fills the fits list for the calculation state's basis.
void ListPreferredFits(DialogView& view, int fitClass);
