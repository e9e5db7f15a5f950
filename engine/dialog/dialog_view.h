#pragma once

#include <string>
#include <string_view>

// Controls of the main dialog that the engine reaches; the numbers are their stable identifiers.
enum class Control : int {
    SizeRangeList = 1001,
    GradeList = 1002,
    SizeBox = 1003,
    ToleranceBox = 1005,
    FitsList = 1006,
    UpperDeviationBox = 1007,
    LowerDeviationBox = 1008,
    LetterList = 1009,
};

// The few operations of the main dialog that the engine uses. The Qt dialog, the command line
// front end and the tests each implement it, so the engine runs without a window system.
class DialogView
{
public:
    virtual ~DialogView() = default;

    // 0-based position of the chosen entry; -1 when none is chosen, or when the user has only typed.
    virtual int SelectedPosition(Control list) const = 0;
    // The text appears at exactly this position; later entries move down; never sorted.
    virtual void InsertListEntry(Control list, int position, std::string_view text) = 0;
    // Removes every entry and clears the text field.
    virtual void EmptyList(Control list) = 0;
    // No entry chosen afterwards, text field cleared.
    virtual void DeselectList(Control list) = 0;

    virtual std::string BoxText(Control box) const = 0;
    // Setting the size box's text must run its change handling (StoreNominalSize) before returning.
    virtual void SetBoxText(Control box, std::string_view text) = 0;

    // A modal message with an OK button; returns once the user has closed it.
    virtual void ShowMessage(std::string_view text) = 0;
};
