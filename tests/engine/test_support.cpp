#include "test_support.h"

#include "core/table_id.h"
#include "dialog/dialog_logic.h"

#include <fstream>
#include <random>

namespace test {

TempFolder::TempFolder()
{
    std::random_device random;
    m_path = std::filesystem::temp_directory_path() / ("quorlan-test-" + std::to_string(random()));
    std::filesystem::create_directories(m_path);
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

void TempFolder::Write(const std::string& name, const std::string& content) const
{
    std::ofstream(m_path / name, std::ios::binary) << content;
}

void TempFolder::Remove(const std::string& name) const
{
    std::filesystem::remove(m_path / name);
}

TableText::TableText(int columns, std::string fill)
    : m_cells(25, std::vector<std::string>(static_cast<std::size_t>(columns), fill))
{
}

TableText TableText::Coded(int columns)
{
    TableText table(columns, "");
    for (int band = 0; band < 25; ++band)
        for (int column = 0; column < columns; ++column)
            table.Set(band, column, std::to_string(100 * band + column));
    return table;
}

TableText& TableText::Set(int band, int column, std::string value)
{
    m_cells.at(static_cast<std::size_t>(band)).at(static_cast<std::size_t>(column)) = std::move(value);
    return *this;
}

std::string TableText::Text() const
{
    std::string text;
    for (const auto& line : m_cells) {
        for (std::size_t column = 0; column < line.size(); ++column)
            text += (column ? " " : "") + line[column];
        text += '\n';
    }
    return text;
}

void TableSet::WriteTo(const TempFolder& folder) const
{
    folder.Write(std::string(TableFileName(TableId::Shaft)), shafts.Text());
    folder.Write(std::string(TableFileName(TableId::Hole)), holes.Text());
    folder.Write(std::string(TableFileName(TableId::ShaftJK)), shaftJK.Text());
    folder.Write(std::string(TableFileName(TableId::HoleJKMN)), holeJKMN.Text());
    folder.Write(std::string(TableFileName(TableId::Delta)), deltas.Text());
}

void FillAndChoose(MemoryDialogView& view, const Choices& choices)
{
    FillGradeList(view);
    FillSizeRangeList(view);
    if (!choices.sizeRange.empty())
        view.ChooseEntry(Control::SizeRangeList, choices.sizeRange);
    if (!choices.grade.empty())
        view.ChooseEntry(Control::GradeList, choices.grade);
    view.SetBoxText(Control::SizeBox, choices.size);
    if (choices.basis >= 0)
        SelectBasis(view, choices.basis);
    if (!choices.letter.empty())
        view.ChooseEntry(Control::LetterList, choices.letter);
}

} // namespace test
