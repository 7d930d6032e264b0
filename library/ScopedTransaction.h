#pragma once

class RecordStore;

// Groups the writes of one addition: rolls back unless commit() was called,
// so a crash or an error in the middle leaves none of the rows. Nested
// transactions join the outermost one.
class ScopedTransaction
{
public:
    explicit ScopedTransaction(RecordStore &store);
    ~ScopedTransaction();
    ScopedTransaction(const ScopedTransaction &) = delete;
    ScopedTransaction &operator=(const ScopedTransaction &) = delete;

    // False when the transaction could not be started or committed.
    bool commit();

private:
    RecordStore &m_store;
    bool m_active = false;
};
