#include "ScopedTransaction.h"

#include "RecordStore.h"

ScopedTransaction::ScopedTransaction(RecordStore &store)
    : m_store(store)
    , m_active(store.beginTransaction())
{
}

ScopedTransaction::~ScopedTransaction()
{
    if (m_active)
        m_store.rollbackTransaction();
}

bool ScopedTransaction::commit()
{
    if (!m_active)
        return false;
    m_active = false;
    return m_store.commitTransaction();
}
