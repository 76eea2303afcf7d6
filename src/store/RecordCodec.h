#pragma once

#include "Environment.h"
#include "Records.h"

// Converts the records to and from their file images. Every image starts
// zeroed, so padding and the bytes beyond a name's length are always 0 on
// disk; readers ignore them.
namespace RecordCodec {

void encode(const Apparaat& record, unsigned char* image);
void decode(const unsigned char* image, Apparaat& record);
void encode(const Ruimte& record, unsigned char* image);
void decode(const unsigned char* image, Ruimte& record);
void encode(const Aktie& record, unsigned char* image);
void decode(const unsigned char* image, Aktie& record);
void encode(const Scene& record, unsigned char* image);
void decode(const unsigned char* image, Scene& record);
void encode(const ProgAktieRecord& record, unsigned char* image);
void decode(const unsigned char* image, ProgAktieRecord& record);
void encode(const Locat& record, unsigned char* image);
void decode(const unsigned char* image, Locat& record);
void encode(const EnvironmentRecord& record, unsigned char* image);
void decode(const unsigned char* image, EnvironmentRecord& record);
void encode(const LanguageRecord& record, unsigned char* image);
void decode(const unsigned char* image, LanguageRecord& record);

} // namespace RecordCodec
