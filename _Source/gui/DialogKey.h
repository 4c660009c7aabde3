#pragma once

namespace dh {

// A key a dialog polls. It counts only once it has been seen up since the
// dialog opened, so the Enter that closed one dialog cannot close the next
// one on its first frame.
class DialogKey {
public:
    explicit DialogKey(unsigned virtualKey);

    // Whether the key is held now and was released at some earlier poll.
    bool down();

private:
    unsigned virtualKey_;
    bool armed_ = false;
};

}
