// The batch command and a project held by a desktop Vendrix: it never waits,
// always saves, and warns only when the lock file names a running holder.
#include "batch_test_support.h"
#include "model/project_file.h"
#include "model/project_lock_file.h"
#include "scratch_folder.h"

#include <climits>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

using namespace vendrix;
using namespace vendrix::test;

namespace {

std::string hostName()
{
    char name[HOST_NAME_MAX + 1] = {};
    gethostname(name, sizeof name - 1);
    return name;
}

// The id of a process that has ended: a crashed holder.
long long endedProcessId()
{
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

void writeText(const std::filesystem::path &path, const std::string &text)
{
    std::ofstream(path, std::ios::binary) << text;
}

} // namespace

TEST(ProjectLockFile, SaveOverAHeldProjectWarnsAndStillSaves)
{
    const std::string running = std::to_string(getpid());
    const std::string ended = std::to_string(endedProcessId());
    struct Case
    {
        const char *what;
        std::string lockText; // empty: no lock file
        bool warned;
    };
    const std::vector<Case> cases = {
        {"no lock", "", false},
        {"running here", running + "\nvendrix\n" + hostName() + "\n\n\n", true},
        {"ended here", ended + "\nvendrix\n" + hostName() + "\n\n\n", false},
        {"other host", ended + "\nvendrix\nfar-away-host\n", true},
        {"no process id", "vendrix\n" + hostName() + "\n", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder("lock");
        const std::string project = folder.file("held.Vdx");
        ASSERT_EQ(runBatch({"--save", project}).status, 0);
        if (!c.lockText.empty())
            writeText(projectLockPath(project), c.lockText);
        const BatchResult r = runBatch({"--set", "title=Changed", "--save", project, "--json"});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out.find("\"error\""), std::string::npos) << r.out;
        const bool warned = r.err.find("warning: \"" + project + "\" is open in vendrix (process ")
            != std::string::npos;
        EXPECT_EQ(warned, c.warned) << r.err;
        ProjectRecord saved;
        EXPECT_FALSE(openProjectFile(project, saved));
        EXPECT_EQ(saved.info.title.cp1252, "Changed");
    }
}
