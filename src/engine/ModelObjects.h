#pragma once
// One object of each model class, owned together. Each holds fixed-capacity
// tables of some megabytes, so they live on the heap.
#include "EngineContext.h"
#include "U1comkeikogn.h"
#include "U1comtentekign.h"
#include "U2comtentekign.h"
#include "Umm1comkeikogn.h"
#include "Umm1comtentekign.h"

#include <memory>

struct TModelObjects {
    std::unique_ptr<T1ComKeikoGN> Model1ComKeiko = std::make_unique<T1ComKeikoGN>();
    std::unique_ptr<T1ComTentekiGN> Model1ComTenteki = std::make_unique<T1ComTentekiGN>();
    std::unique_ptr<T2ComTentekiGN> Model2ComTenteki = std::make_unique<T2ComTentekiGN>();
    std::unique_ptr<TMM1ComKeikoGN> ModelMM1ComKeiko = std::make_unique<TMM1ComKeikoGN>();
    std::unique_ptr<TMM1ComTentekiGN> ModelMM1ComTenteki = std::make_unique<TMM1ComTentekiGN>();

    TEngineModels Models() const
    {
        return {*Model1ComKeiko, *Model1ComTenteki, *Model2ComTenteki, *ModelMM1ComKeiko, *ModelMM1ComTenteki};
    }
};
