#include "GuiTestSupport.h"

#include "ParameterFileLocation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

namespace orvane {
namespace {

TEST(ParameterFileLocation, WritableProgramDirectoryKeepsTheFile) {
    QTemporaryDir program, user;
    EXPECT_EQ(ChooseParameterFile(program.path(), user.filePath("orvane")),
              QDir(program.path()).filePath("orvane1.dat"));
    EXPECT_FALSE(QDir(user.filePath("orvane")).exists()); // nothing created where it is not used
}

TEST(ParameterFileLocation, ReadOnlyOrSystemProgramDirectoryUsesTheUsersDataDirectory) {
    QTemporaryDir user;
    const QString userDir = user.filePath("share/orvane");
    // procfs refuses new files even to an administrator: a directory nobody can write.
    EXPECT_EQ(ChooseParameterFile("/proc/self", userDir), QDir(userDir).filePath("orvane1.dat"));
    EXPECT_TRUE(QDir(userDir).exists());
    EXPECT_EQ(ChooseParameterFile("/usr/bin", userDir), QDir(userDir).filePath("orvane1.dat"));
    EXPECT_EQ(ChooseParameterFile(user.filePath("no-such-program-dir"), userDir),
              QDir(userDir).filePath("orvane1.dat"));
    if (::geteuid() != 0) {
        QTemporaryDir program;
        QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_EQ(ChooseParameterFile(program.path(), userDir), QDir(userDir).filePath("orvane1.dat"));
        QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    EXPECT_FALSE(DirectoryIsWritable("/proc/self"));
    EXPECT_TRUE(DirectoryIsWritable(user.path()));
}

} // namespace
} // namespace orvane
