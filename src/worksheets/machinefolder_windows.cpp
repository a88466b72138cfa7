#include "worksheets/machinefolder.h"
#include "toolkit/machinesettings.h"

#include <QDir>

#include <windows.h>
#include <aclapi.h>

namespace {
// Lets every user of the PC (the built-in Users group) read, write, replace
// and delete what is in the folder and in all it will hold. A folder made
// under %ProgramData% otherwise lets its maker alone change the files they
// make there, and a second teacher could never re-save the catalogue.
bool openToEveryUser(const QString &path)
{
    SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
    PSID users = nullptr;
    if (!AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_USERS, 0, 0, 0, 0, 0, 0,
                                  &users))
        return false;
    EXPLICIT_ACCESSW access = {};
    access.grfAccessPermissions = FILE_GENERIC_READ | FILE_GENERIC_WRITE | FILE_GENERIC_EXECUTE | DELETE;
    access.grfAccessMode = GRANT_ACCESS;
    access.grfInheritance = SUB_CONTAINERS_AND_OBJECTS_INHERIT;
    access.Trustee.TrusteeForm = TRUSTEE_IS_SID;
    access.Trustee.TrusteeType = TRUSTEE_IS_GROUP;
    access.Trustee.ptstrName = static_cast<LPWSTR>(users);
    PACL current = nullptr;
    PACL widened = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    std::wstring native = QDir::toNativeSeparators(path).toStdWString();
    bool done = GetNamedSecurityInfoW(native.data(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, &current,
                                      nullptr, &descriptor) == ERROR_SUCCESS &&
                SetEntriesInAclW(1, &access, current, &widened) == ERROR_SUCCESS &&
                SetNamedSecurityInfoW(native.data(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, widened,
                                      nullptr) == ERROR_SUCCESS;
    LocalFree(widened);
    LocalFree(descriptor);
    FreeSid(users);
    return done;
}
} // namespace

QString machineWorksheetFolder()
{
    const QVariant folder = machineSetting(QStringLiteral("Velmora"), QStringLiteral("Worksheets"), QStringLiteral("Folder"));
    return QDir::fromNativeSeparators(folder.toString().trimmed());
}

QString defaultWorksheetFolder()
{
    const QString programData = qEnvironmentVariable("ProgramData", QStringLiteral("C:\\ProgramData"));
    return QDir::fromNativeSeparators(programData) + QStringLiteral("/Velmora/Worksheets");
}

// The folder is opened to every user when this program makes it; one made
// before is left as it is (an administrator may have set it up on purpose).
bool makeDefaultWorksheetFolder(const QString &path)
{
    if (QDir(path).exists())
        return true;
    if (!QDir().mkpath(path))
        return false;
    openToEveryUser(path);
    return true;
}
