#include "dialog/memory_dialog_view.h"

#include "dialog/dialog_logic.h"

#include <utility>

MemoryDialogView::MemoryDialogView(MessageSink messageSink)
    : m_messageSink(std::move(messageSink))
{
}

const MemoryDialogView::List* MemoryDialogView::FindList(Control list) const
{
    const auto found = m_lists.find(list);
    return found == m_lists.end() ? nullptr : &found->second;
}

int MemoryDialogView::SelectedPosition(Control list) const
{
    const List* found = FindList(list);
    return found ? found->selected : -1;
}

void MemoryDialogView::InsertListEntry(Control list, int position, std::string_view text)
{
    List& target = m_lists[list];
    // A position past the end appends, as the platform's combo box does for -1.
    const auto size = static_cast<int>(target.entries.size());
    const int at = position < 0 || position > size ? size : position;
    target.entries.insert(target.entries.begin() + at, std::string(text));
    if (target.selected >= at)
        ++target.selected;
}

void MemoryDialogView::EmptyList(Control list)
{
    m_lists[list] = List {};
}

void MemoryDialogView::DeselectList(Control list)
{
    List& target = m_lists[list];
    target.selected = -1;
    target.text.clear();
}

std::string MemoryDialogView::BoxText(Control box) const
{
    const auto found = m_boxes.find(box);
    return found == m_boxes.end() ? std::string() : found->second;
}

void MemoryDialogView::SetBoxText(Control box, std::string_view text)
{
    m_boxes[box] = std::string(text);
    if (box == Control::SizeBox)
        StoreNominalSize(*this);
}

void MemoryDialogView::ShowMessage(std::string_view text)
{
    m_messages.emplace_back(text);
    if (m_messageSink)
        m_messageSink(text);
}

bool MemoryDialogView::ChooseEntry(Control list, std::string_view text)
{
    List& target = m_lists[list];
    for (std::size_t position = 0; position < target.entries.size(); ++position) {
        if (target.entries[position] == text) {
            target.selected = static_cast<int>(position);
            target.text = text;
            return true;
        }
    }
    target.selected = -1;
    return false;
}

void MemoryDialogView::TypeIntoList(Control list, std::string_view text)
{
    List& target = m_lists[list];
    target.selected = -1;
    target.text = text;
}

const std::vector<std::string>& MemoryDialogView::Entries(Control list) const
{
    static const std::vector<std::string> kNone;
    const List* found = FindList(list);
    return found ? found->entries : kNone;
}

std::string MemoryDialogView::ListText(Control list) const
{
    const List* found = FindList(list);
    return found ? found->text : std::string();
}
