#pragma once
// Counts how often a process-wide unit was initialised, so that its start-up work runs on the
// first call and its clean-up on the call that balances the first. Start-up and shutdown run
// on the main thread, so a plain counter does.

namespace ut {

class InitializationCount {
public:
    // True for the first initialisation.
    bool Enter() { return count_++ == 0; }

    // True for the finalisation that balances the first initialisation; an unbalanced call
    // does nothing.
    bool Leave() { return count_ > 0 && --count_ == 0; }

private:
    int count_ = 0;
};

}  // namespace ut
