#pragma once

#include "app/appcontext.h"
#include "app/documentlifecycle.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

inline const QString SampleProject = QStringLiteral(PLOTWRIGHT_SOURCE_DIR "/examples/garden.gzj");

// Answers the prompt with a fixed button and records the questions.
struct AnsweringPrompter : Prompter {
    int answer = Prompter::Cancel;
    QList<int> asked;
    // What the room name prompt returns; nothing stands for the user skipping it.
    std::optional<QString> roomName;

    int ask(int message, int) override
    {
        asked << message;
        return answer;
    }
    void notify(int, int) override {}
    std::optional<QString> promptRoomName(const QString &) override { return roomName; }
};

// A context over a temporary documents folder, with the grids set up and no settings read.
class ContextTest : public ::testing::Test
{
protected:
    QTemporaryDir documents;
    AppContext context{AppFolders(documents.path(), QStringLiteral(PLOTWRIGHT_SOURCE_DIR "/resources"))};
    DocumentLifecycle lifecycle{context};
    AnsweringPrompter prompter;

    void SetUp() override
    {
        ASSERT_TRUE(documents.isValid());
        context.folders().createMissingFolders();
        context.setUpGrids();
        context.setPrompter(&prompter);
    }

    void openSample()
    {
        ASSERT_EQ(lifecycle.openProject(SampleProject).status, DocumentLifecycle::OpenStatus::Opened);
    }
};
