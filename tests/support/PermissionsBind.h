// Makes file permissions bind the calling thread while it lives, also when
// the tests run as the superuser, whom the system lets read and write any
// file: the two capabilities that override permissions leave the thread's
// effective set and come back when it goes. A test of a file that cannot be
// read then really meets one, instead of skipping under the superuser.
#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

class PermissionsBind {
public:
    PermissionsBind() {
        if (syscall(SYS_capget, &header_, saved_) != 0)
            return;
        __user_cap_data_struct bound[2] = {saved_[0], saved_[1]};
        bound[0].effective &= ~(CAP_TO_MASK(CAP_DAC_OVERRIDE) | CAP_TO_MASK(CAP_DAC_READ_SEARCH));
        dropped_ = syscall(SYS_capset, &header_, bound) == 0;
    }
    ~PermissionsBind() {
        if (dropped_)
            syscall(SYS_capset, &header_, saved_);
    }
    PermissionsBind(const PermissionsBind&) = delete;
    PermissionsBind& operator=(const PermissionsBind&) = delete;

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2] = {};
    bool dropped_ = false;
};
