#pragma once
// The way from the earlier versions' shared folder to the account's own
// folders, at every start (see app/SharedDataImport.h).

// Copies the shared data when this account has none of its own yet; then,
// or whenever the earlier versions' job started this run (`sharedJobRun`),
// that job becomes this account's own.
void TakeOverSharedData(bool sharedJobRun);

// In an interactive start: says once, in one sentence, where the copied
// data now is.
void SayWhereSharedDataWent();
