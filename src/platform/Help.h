#pragma once

namespace tavrel {

// The help viewer. Topics are addressed by help context number; the finder is
// the contents page with its index.
class Help {
public:
    virtual ~Help() = default;
    virtual void showFinder() = 0;
    virtual void showContext(int contextNumber) = 0;
    virtual void quit() = 0;
};

} // namespace tavrel
