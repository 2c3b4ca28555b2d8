#include "uDataBase.h"

int TDataModule1::WriteRangeLimits(int kubun, int drug, int product, double upper, double lower)
{
    return ::WriteRangeLimits(kubun, drug, product, upper, lower, &lastError_) ? 0 : -1;
}
