#pragma once
// A full disk for this process while the object lives: writes past `bytes` fail (EFBIG instead of
// ENOSPC), also for root, who ignores permission bits.

#include <csignal>
#include <sys/resource.h>

namespace velmo::pruebas {

class DiscoLleno {
public:
    explicit DiscoLleno(rlim_t bytes) {
        senal_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &antes_);
        rlimit limite = antes_;
        limite.rlim_cur = bytes;
        activo_ = setrlimit(RLIMIT_FSIZE, &limite) == 0;
    }
    ~DiscoLleno() {
        setrlimit(RLIMIT_FSIZE, &antes_);
        std::signal(SIGXFSZ, senal_);
    }
    DiscoLleno(const DiscoLleno&) = delete;
    DiscoLleno& operator=(const DiscoLleno&) = delete;
    bool Activo() const { return activo_; }

private:
    rlimit antes_{};
    void (*senal_)(int) = nullptr;
    bool activo_ = false;
};

} // namespace velmo::pruebas
