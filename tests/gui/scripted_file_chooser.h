#pragma once
// Records every request and answers from queues (nullopt or none: Cancel).

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/file_chooser.h"

namespace guitest {

class ScriptedFileChooser : public FileChooser {
public:
    ScriptedFileChooser() : previous_(install_file_chooser(this)) {}
    ~ScriptedFileChooser() override { install_file_chooser(previous_); }
    ScriptedFileChooser(const ScriptedFileChooser&) = delete;
    ScriptedFileChooser& operator=(const ScriptedFileChooser&) = delete;

    std::optional<std::string> choose_directory(void*, const std::string& title) override {
        directoryTitles.push_back(title);
        return next(directories);
    }
    std::optional<std::string> choose_save_file(void*, const SaveFileRequest& request) override {
        saveRequests.push_back(request);
        return next(saveFiles);
    }
    std::optional<std::string> choose_open_file(void*, const SaveFileRequest&) override {
        return next(openFiles);
    }

    std::deque<std::optional<std::string>> directories;
    std::deque<std::optional<std::string>> saveFiles, openFiles;
    std::vector<std::string> directoryTitles;
    std::vector<SaveFileRequest> saveRequests;

private:
    static std::optional<std::string> next(std::deque<std::optional<std::string>>& queue) {
        std::optional<std::string> answer = queue.empty() ? std::nullopt : queue.front();
        if (!queue.empty()) {
            queue.pop_front();
        }
        return answer;
    }

    FileChooser* previous_;
};

}  // namespace guitest
