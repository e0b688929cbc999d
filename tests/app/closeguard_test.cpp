#include "editfixture.h"

namespace {

using CloseGuardTest = EditTest;

// Whether closing asks after each kind of change: it must whenever the project differs from its file.
TEST_F(CloseGuardTest, EveryChangeOfTheProjectMakesTheCloseAsk)
{
    QList<UserEdit> cases = estimateEdits();
    cases.prepend({"nothing changed", [] {}, false});
    cases.append({"head field edited", [&] { editHeadField(); }, true});
    for (const UserEdit &c : cases) {
        SCOPED_TRACE(c.name);
        openSample();
        prompter.answer = Prompter::Cancel;
        prompter.roomName.reset();
        c.change();
        prompter.answer = Prompter::Cancel;
        prompter.asked.clear();
        EXPECT_EQ(lifecycle.closeRequest({}), !c.changesProject);
        if (c.changesProject)
            EXPECT_EQ(prompter.asked, QList<int>{DocumentLifecycle::UnsavedChangesMessage});
        else
            EXPECT_TRUE(prompter.asked.isEmpty()) << prompter.asked.size() << " questions";
    }
}

} // namespace
