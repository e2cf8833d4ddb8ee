// GraphicsData: what a shape draws with: the port and the document it belongs to.
#pragma once

class IGraphicsPort;
class IDataBase;

class GraphicsData {
public:
    GraphicsData(IGraphicsPort* port, IDataBase* db) : fPort(port), fDataBase(db) {}
    IGraphicsPort* GetGraphicsPort() const { return fPort; }
    IDataBase* GetDataBase() const { return fDataBase; }

private:
    IGraphicsPort* fPort;
    IDataBase* fDataBase;
};
