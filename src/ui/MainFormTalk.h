#pragma once

class QDialog;

namespace korvanta {

class TMainForm;

// "Talk via front panel": the current data goes to the front-panel dialog in the working file
// "Tworking.kvt"; cycles it read from a machine come back in "Rworking.kvt" and replace the
// data, which then has no file and counts as changed. Both working files are gone afterwards.
void TalkViaFrontPanel(TMainForm &window, QDialog &dialog);

// "Talk via RS-485 network": the data goes to the network dialog in "Tworking.kvt", which is
// gone afterwards; nothing comes back.
void TalkViaNetwork(TMainForm &window, QDialog &dialog);

} // namespace korvanta
