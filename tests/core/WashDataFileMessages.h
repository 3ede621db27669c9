#pragma once

// The reader's rejection messages, written out as the user sees them; shared by the core and
// the command-line tests so that both check the same exact texts.
namespace korvanta::messages {

inline constexpr char kSignatureFailure[] =
    "Invalid file format:\nSignature failure!\n\nFile could not be loaded!";
inline constexpr char kFormatFailure[] =
    "Invalid file format:\nConfiguration corrupted\nor the Korvanta Planner is not up to "
    "date!\n\n\nFile could not be loaded!";
inline constexpr char kUnknownMachine[] =
    "Unknown machine defined,\nplease update the Korvanta Planner!\n\nFile could not be loaded!";

} // namespace korvanta::messages
