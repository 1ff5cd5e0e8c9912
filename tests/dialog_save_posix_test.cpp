#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "dialog/control_ids.h"
#include "fake_dialog_view.h"
#include "temp_folder.h"

namespace vesko {
namespace {

using testing::OpenedDialog;
using testing::TempFolder;

// A full card, as near as root can get to one: a file size limit in a child process.
TEST(DialogSavePosixTest, CardThatTakesNoMoreBytes) {
    TempFolder folder;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{0, 0};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        OpenedDialog d;
        d.view.Click(IDOK);
        testing::TakeNewFileQuestions(d.view);
        const bool reported =
            d.view.messages.size() == 1 &&
            d.view.messages[0].text == u"Could not write config.bin: File too large." &&
            !d.view.ended().has_value();
        ::_exit(reported ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace vesko
