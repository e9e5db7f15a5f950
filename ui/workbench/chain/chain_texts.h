#pragma once

#include "core/chains/chain_link.h"
#include "workbench/chain/chain_file.h"
#include "workbench/chain/chain_model.h"

#include <filesystem>
#include <string>
#include <string_view>

// The dimension chain tab's words, in the window's language (text_language.h): why a chain has no
// result, a bad row named by its number and name. The report takes its distributions from here
// too. Plain C++.

std::string ChainFormProblemText(const ChainFormProblem& problem, const std::filesystem::path& tablesFolder);

// Why a file gives no chain; the file named as given.
std::string ChainFileProblemText(const ChainFileRefusal& problem, const std::string& fileName);

// "正态", "Normal"; a text that is no distribution as it stands.
std::string DistributionWords(std::string_view key);
std::string DistributionWords(LinkDistribution distribution);
