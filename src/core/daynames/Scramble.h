// The keyed byte transform of the stored list files. It works block by
// block: the chain restarts at the start of every block, so a block never
// depends on another one.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "daynames/ListKeys.h"

// Size of the blocks the list files are read and stored in.
inline constexpr std::size_t kListBlockSize = 1000;

// Stored bytes to plain bytes, in place; n is at most kListBlockSize in the
// files, but any n works.
void UnscrambleBlock(unsigned char* block, std::size_t n, const CListKey& key);
// Plain bytes to stored bytes, in place: the inverse of UnscrambleBlock.
void ScrambleBlock(unsigned char* block, std::size_t n, const CListKey& key);

// A whole plain text to its stored form, block by block, and back.
std::string ScrambleText(std::string_view plain, const CListKey& key);
std::string UnscrambleText(std::string_view stored, const CListKey& key);
