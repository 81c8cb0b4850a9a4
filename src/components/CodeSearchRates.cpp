#include "CodeSearchComponent.h"

namespace components {

std::optional<vb::Variant> RateInfo::Rate(const std::string& roomClass) const {
    if (roomClass.size() != 1)
        return std::nullopt;
    switch (roomClass[0]) {
    case 'A':
        return RateA;
    case 'B':
        return RateB;
    case 'C':
        return RateC;
    case 'D':
        return RateD;
    case 'E':
        return RateE;
    case 'F':
        return RateF;
    case 'G':
        return RateG;
    case 'H':
        return RateH;
    default:
        return std::nullopt;
    }
}

} // namespace components
