#include "answers/table_lookup_text.h"

#include "core/printable_text.h"

namespace {

std::string QuotedPath(const std::filesystem::path& path)
{
    return "'" + PathText(path) + "'";
}

std::string Describe(const std::filesystem::path& folder, TableFolderSource source)
{
    switch (source) {
    case TableFolderSource::Option:
        return "--tables " + QuotedPath(folder);
    case TableFolderSource::Environment:
        return "QUORLAN_TABLES " + QuotedPath(folder);
    case TableFolderSource::CurrentDirectory:
        return "the current directory";
    case TableFolderSource::BesideProgram:
        return QuotedPath(folder) + " (beside the program)";
    case TableFolderSource::InstallPrefix:
        return QuotedPath(folder) + " (the installed tables)";
    case TableFolderSource::Nowhere:
        break;
    }
    return "nowhere";
}

} // namespace

std::string TablesNotAFolderText(const TablesNotAFolder& reason)
{
    return Describe(reason.folder, reason.source) + " is not a folder";
}

std::string WhereTablesWereSought(const TablesLocation& location)
{
    if (location.source != TableFolderSource::Nowhere)
        return Describe(location.folder, location.source);
    std::string words;
    for (std::size_t index = 0; index < location.searched.size(); ++index) {
        const auto& folder = location.searched[index];
        if (index > 0)
            words += index + 1 == location.searched.size() ? " or " : ", ";
        words += folder.empty() ? "the current directory" : QuotedPath(folder);
    }
    return words;
}

std::string MissingTablesNote(const TablesLocation& location)
{
    if (HoldsEveryTableFile(location.folder))
        return {};
    if (location.source == TableFolderSource::Nowhere)
        return "no table files in " + WhereTablesWereSought(location) + "; give --tables DIR or set QUORLAN_TABLES";
    return "the tables were read from " + WhereTablesWereSought(location);
}
