#include "win/InstanceClaim.h"

#include <aclapi.h>
#include <sddl.h>

#include <vector>

namespace {

// The TOKEN_USER of this process, or empty.
std::vector<BYTE> ProcessUser()
{
    KernelHandle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.Receive()))
        return {};
    DWORD size = 0;
    GetTokenInformation(token.Get(), ::TokenUser, nullptr, 0, &size);
    std::vector<BYTE> user(size);
    if (!size || !GetTokenInformation(token.Get(), ::TokenUser, user.data(), size, &size))
        user.clear();
    return user;
}

PSID UserSid(std::vector<BYTE>& user)
{
    return user.empty() ? nullptr : reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid;
}

std::string NameFor(const char* name, PSID sid)
{
    char* text = nullptr;
    if (!sid || !ConvertSidToStringSidA(sid, &text))
        return "";
    std::string full = std::string("Global\\") + name + "." + text;
    LocalFree(text);
    return full;
}

// True when the mutex's owner is `sid`: an object of this name that
// another account made first is no instance of ours.
bool OwnedBy(HANDLE mutex, PSID sid)
{
    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetSecurityInfo(mutex, SE_KERNEL_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr, nullptr, nullptr,
                        &descriptor) != ERROR_SUCCESS)
        return false;
    const bool same = owner && EqualSid(owner, sid);
    LocalFree(descriptor);
    return same;
}

} // namespace

std::string InstanceClaim::AccountName(const char* name)
{
    std::vector<BYTE> user = ProcessUser();
    return NameFor(name, UserSid(user));
}

InstanceClaim::InstanceClaim(const char* name)
{
    std::vector<BYTE> user = ProcessUser();
    const PSID sid = UserSid(user);
    const std::string full = NameFor(name, sid);
    if (full.empty())
        return;
    // Owned by the account and open to it alone, so that no other account
    // can hold it for us.
    const DWORD aclSize = sizeof(ACL) + sizeof(ACCESS_ALLOWED_ACE) + GetLengthSid(sid);
    std::vector<BYTE> aclBytes(aclSize);
    PACL acl = reinterpret_cast<PACL>(aclBytes.data());
    SECURITY_DESCRIPTOR descriptor;
    if (!InitializeAcl(acl, aclSize, ACL_REVISION) || !AddAccessAllowedAce(acl, ACL_REVISION, MUTEX_ALL_ACCESS, sid) ||
        !InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) ||
        !SetSecurityDescriptorOwner(&descriptor, sid, FALSE) || !SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE))
        return;
    SECURITY_ATTRIBUTES attributes{sizeof(attributes), &descriptor, FALSE};
    mutex_.Reset(CreateMutexA(&attributes, FALSE, full.c_str()));
    if (mutex_ && GetLastError() == ERROR_ALREADY_EXISTS) {
        held_ = !OwnedBy(mutex_.Get(), sid);
        mutex_.Reset();
    }
}
