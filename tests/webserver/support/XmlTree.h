#pragma once

#include <QMap>
#include <QString>
#include <QXmlStreamReader>

#include <optional>
#include <string>
#include <vector>

// A document read back with Qt's namespace-aware reader, independent of the
// parser the service uses, as a small tree.
struct XmlNode {
    QString ns;
    QString name; // local name
    QString qualifiedName;
    QXmlStreamAttributes attributes;
    QXmlStreamNamespaceDeclarations declarations;
    QMap<QString, QString> inScope; // prefix -> namespace
    QString text; // character data directly inside
    std::vector<XmlNode> children;

    // The attribute value by namespace and local name, or std::nullopt.
    std::optional<QString> attribute(const QString& attrNs, const QString& localName) const
    {
        for (const QXmlStreamAttribute& a : attributes)
            if (a.namespaceUri() == attrNs && a.name() == localName)
                return a.value().toString();
        return std::nullopt;
    }

    // A QName-valued attribute resolved to "{namespace}local".
    std::optional<QString> resolvedAttribute(const QString& attrNs, const QString& localName) const
    {
        const std::optional<QString> value = attribute(attrNs, localName);
        if (!value)
            return std::nullopt;
        const qsizetype colon = value->indexOf(QLatin1Char(':'));
        const QString prefix = colon < 0 ? QString() : value->left(colon);
        return QStringLiteral("{%1}%2").arg(inScope.value(prefix), value->mid(colon + 1));
    }

    const XmlNode* child(const QString& childNs, const QString& localName) const
    {
        for (const XmlNode& c : children)
            if (c.ns == childNs && c.name == localName)
                return &c;
        return nullptr;
    }

    std::vector<const XmlNode*> all(const QString& childNs, const QString& localName) const
    {
        std::vector<const XmlNode*> found;
        for (const XmlNode& c : children)
            if (c.ns == childNs && c.name == localName)
                found.push_back(&c);
        return found;
    }
};

// The document element, or std::nullopt when the text is not well-formed.
inline std::optional<XmlNode> parseXml(const std::string& document)
{
    QXmlStreamReader reader(QByteArray::fromStdString(document));
    std::vector<XmlNode> open;
    std::optional<XmlNode> root;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            XmlNode node;
            node.ns = reader.namespaceUri().toString();
            node.name = reader.name().toString();
            node.qualifiedName = reader.qualifiedName().toString();
            node.attributes = reader.attributes();
            node.declarations = reader.namespaceDeclarations();
            node.inScope = open.empty() ? QMap<QString, QString>() : open.back().inScope;
            for (const QXmlStreamNamespaceDeclaration& d : node.declarations)
                node.inScope[d.prefix().toString()] = d.namespaceUri().toString();
            open.push_back(std::move(node));
            break;
        }
        case QXmlStreamReader::Characters:
            if (!open.empty())
                open.back().text += reader.text();
            break;
        case QXmlStreamReader::EndElement: {
            XmlNode done = std::move(open.back());
            open.pop_back();
            if (open.empty())
                root = std::move(done);
            else
                open.back().children.push_back(std::move(done));
            break;
        }
        default: break;
        }
    }
    if (reader.hasError())
        return std::nullopt;
    return root;
}
