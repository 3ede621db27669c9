#pragma once

#include <deque>
#include <string>
#include <vector>

#include "comm/CommUi.h"

namespace korvanta::testing {

// A CommUi that records what a transfer shows and answers its questions from a script.
// Questions beyond the script are answered as a closed box would be: Cancel.
class ScriptedUi : public CommUi {
public:
    void SetStatus(int panel, const std::string &text) override {
        status[panel == kMainPanel ? 0 : 1] = text;
        statusLog.push_back(text);
    }
    void ShowGauge(bool visible) override { gaugeVisible = visible; }
    void SetGauge(int percent) override {
        gauge = percent;
        gaugeLog.push_back(percent);
    }
    void SetHourglass(bool on) override { hourglass = on; }
    void EnableTransfers(bool enabled) override {
        transfersEnabled = enabled;
        if (!enabled)
            ++disables;
    }
    void Repaint() override { ++repaints; }
    void ProcessEvents() override { ++eventRounds; }
    Answer Ask(const std::string &text, BoxIcon, BoxButtons buttons) override {
        asked.push_back(text);
        if (buttons == BoxButtons::Ok)
            return Answer::Ok;
        if (answers.empty())
            return Answer::Cancel;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::string ChooseFile(const FileRequest &request) override {
        requests.push_back(request);
        return chosenPath;
    }

    std::string Main() const { return status[0]; }
    std::string Detail() const { return status[1]; }

    std::deque<Answer> answers;
    std::string chosenPath;
    std::vector<FileRequest> requests;
    std::vector<std::string> asked;
    std::vector<std::string> statusLog;
    std::vector<int> gaugeLog;
    std::string status[2];
    int gauge = 0;
    int repaints = 0;
    int eventRounds = 0;
    int disables = 0;
    bool gaugeVisible = false;
    bool hourglass = false;
    bool transfersEnabled = true;
};

} // namespace korvanta::testing
