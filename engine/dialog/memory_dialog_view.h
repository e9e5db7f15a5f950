#pragma once

#include "dialog/dialog_view.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// A dialog view held in memory: the command line front end and the tests drive the engine with it
// as a user drives the dialog, choosing entries and typing into the size box.
class MemoryDialogView : public DialogView
{
public:
    using MessageSink = std::function<void(std::string_view)>;

    // Every message is recorded, and handed to the sink as well when there is one.
    explicit MemoryDialogView(MessageSink messageSink = {});

    int SelectedPosition(Control list) const override;
    void InsertListEntry(Control list, int position, std::string_view text) override;
    void EmptyList(Control list) override;
    void DeselectList(Control list) override;
    std::string BoxText(Control box) const override;
    void SetBoxText(Control box, std::string_view text) override;
    void ShowMessage(std::string_view text) override;

    // Chooses the entry with this text; false, and nothing chosen, when the list has no such entry.
    bool ChooseEntry(Control list, std::string_view text);
    // Puts text into a list's text field without choosing an entry, as typing does.
    void TypeIntoList(Control list, std::string_view text);

    const std::vector<std::string>& Entries(Control list) const;
    std::string ListText(Control list) const;
    const std::vector<std::string>& Messages() const { return m_messages; }

private:
    struct List
    {
        std::vector<std::string> entries;
        int selected = -1;
        std::string text;
    };

    const List* FindList(Control list) const;

    std::map<Control, List> m_lists;
    std::map<Control, std::string> m_boxes;
    std::vector<std::string> m_messages;
    MessageSink m_messageSink;
};
