#pragma once
#include <QString>
#include <cstdint>
#include <span>
#include <string>

// What the fuzzers and the corpus test run on each input. Each returns the broken
// invariant in a sentence, or nothing; a crash, a leak or undefined behaviour on the
// way is the sanitizers' to report.

// The bytes as a picture file given to the picture loader.
std::string CheckPictureInput(std::span<const uint8_t> bytes);

// Bytes beginning "ITSF" as a help file: opened, its system record and file list read,
// its pages looked up by name and extracted, its contents and index parsed. Any other
// bytes as the text of a contents or index file.
std::string CheckHelpInput(std::span<const uint8_t> bytes);

// The path of a private temporary file that holds exactly these bytes.
QString WriteInputFile(const QString& name, std::span<const uint8_t> bytes);
