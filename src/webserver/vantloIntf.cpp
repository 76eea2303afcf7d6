#include "vantloIntf.h"

const OperationInfo* findOperation(std::string_view name)
{
    for (const OperationInfo& operation : IvantloOperations)
        if (operation.name == name)
            return &operation;
    return nullptr;
}

std::string_view schemaTypeName(ParamType type)
{
    return type == ParamType::Int ? "int" : "string";
}
