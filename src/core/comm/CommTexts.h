#pragma once

namespace korvanta::texts {

// Status texts.
inline constexpr const char *kEstablishing = "Establishing connection...";
inline constexpr const char *kConnected = "Connected";
inline constexpr const char *kErasing = "Erasing...";
inline constexpr const char *kProgramming = "Programming...";
inline constexpr const char *kReading = "Reading...";
inline constexpr const char *kError = "Error!";
inline constexpr const char *kFileError = "File error!";
inline constexpr const char *kSendAborted = "Send aborted!";
inline constexpr const char *kCommError = "Comm error!";
inline constexpr const char *kOptoError = "Opto error!";
inline constexpr const char *kMachineTypeError = "Machine type error!";
inline constexpr const char *kCyclesDownloaded = "Cycles downloaded";
inline constexpr const char *kCyclesUploaded = "Cycles uploaded";
inline constexpr const char *kFirmwareDownloaded = "Firmware downloaded";
inline constexpr const char *kPricesDownloaded = "Prices downloaded";
inline constexpr const char *kPricesRead = "Prices read";
inline constexpr const char *kLifetestWritten = "Lifetest written";
inline constexpr const char *kLifetestRead = "Lifetest read";
inline constexpr const char *kRequestingInfo = "Requesting info...";
inline constexpr const char *kDone = "Done";
inline constexpr const char *kNoConnectionLabel = "no connection";
// Formats with one number or name.
inline constexpr const char *kCannotOpenFormat = "Cannot open %s!";
inline constexpr const char *kNrOfBytesFormat = "nr of bytes: %d";
inline constexpr const char *kFileLengthFormat = "file length: %d";

// Message boxes and questions.
inline constexpr const char *kComPortError = "Com port error!";
inline constexpr const char *kFailedToConnect = "Failed to connect to washing machine!";
inline constexpr const char *kBusyOrLocked = "Washing machine is busy or locked!";
inline constexpr const char *kNoConnection = "No connection!";
inline constexpr const char *kFileNotFound = "File not found!";
inline constexpr const char *kFileFormatError = "File format error!";
inline constexpr const char *kEmptyFile = "Empty file!";
inline constexpr const char *kCyclesTooBig = "File is too big! (> 64K)";
inline constexpr const char *kSoftwareTooBig = "File is too big! (> 128K)";
// A firmware file must fit the 122 KiB image the controller holds.
inline constexpr const char *kSoftwareExceedsImage = "File is too big! (> 122K)";
inline constexpr const char *kPricesTooBig = "File is too big! (> 108bytes)";
inline constexpr const char *kProgramFileError = "Program file error!";
inline constexpr const char *kNotCoinType = "The selected machine type is not a Coin machine!";
inline constexpr const char *kIsCoinType = "The selected machine type is a Coin machine!";
inline constexpr const char *kConfigDiffers =
    "Configuration differs from the one found in the machine! \rContinue?";
inline constexpr const char *kNoCyclesInMemory = "No cycles in memory!";
inline constexpr const char *kCyclesCorrupt = "Cycles in memory are corrupt!";
inline constexpr const char *kNotCoinMachine = "This is not a coin machine!";
inline constexpr const char *kMachineDetectedOn = "Machine detected on ";
inline constexpr const char *kNoMachineFound = "No machine found!";
inline constexpr const char *kUnableToSave = "Unable to save ";

} // namespace korvanta::texts
