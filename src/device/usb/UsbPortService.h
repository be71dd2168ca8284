#pragma once

#include "device/usb/PrinterControlCodes.h"
#include "device/usb/UsbPortOperations.h"

#include <boost/asio/any_io_executor.hpp>
#include <boost/asio/async_result.hpp>
#include <boost/asio/buffer.hpp>
#include <boost/asio/compose.hpp>
#include <boost/asio/execution_context.hpp>
#include <boost/system/error_code.hpp>

#include <memory>
#include <mutex>
#include <set>
#include <string>

namespace device {

// Performs the operations of every basic_usb_port of one execution context and
// keeps the list of their implementation records, so that shutting the
// context down closes every device node still open. Found by type through
// boost::asio::use_service<usb_port_service>.
//
// Thread safety: the list is guarded by the service's mutex and each record
// by its own, so open, close and cancel (user-interface thread) may run
// while operations are started from completion handlers (I/O thread).
class usb_port_service : public boost::asio::execution_context::service
{
public:
    using key_type = usb_port_service;
    static boost::asio::execution_context::id id;

    using implementation_type = usb_port_detail::port_record;
    using implementation_ptr = std::shared_ptr<implementation_type>;

    explicit usb_port_service(boost::asio::execution_context& context);
    ~usb_port_service() override;

    usb_port_service(const usb_port_service&) = delete;
    usb_port_service& operator=(const usb_port_service&) = delete;

    // A new closed port record whose operations run on the given executor.
    implementation_ptr construct(const boost::asio::any_io_executor& executor);
    // Closes the record's node and forgets the record.
    void destroy(const implementation_ptr& impl);

    boost::system::error_code open(implementation_type& impl, const std::string& path,
                                   boost::system::error_code& ec);
    bool is_open(const implementation_type& impl) const;
    boost::system::error_code close(implementation_type& impl, boost::system::error_code& ec);
    boost::system::error_code cancel(implementation_type& impl, boost::system::error_code& ec);
    int native_handle(const implementation_type& impl) const;

    template <typename WriteToken>
    auto async_write_some(const implementation_ptr& impl, boost::asio::const_buffer buffer,
                          WriteToken&& token)
    {
        return boost::asio::async_compose<WriteToken, void(boost::system::error_code, std::size_t)>(
            usb_port_detail::write_op{impl, buffer}, token, impl->descriptor);
    }

    template <typename ControlToken>
    auto async_device_io_control(const implementation_ptr& impl, usb_control_code code,
                                 boost::asio::const_buffer input, boost::asio::mutable_buffer output,
                                 ControlToken&& token)
    {
        return boost::asio::async_compose<ControlToken, void(boost::system::error_code, std::size_t)>(
            usb_port_detail::control_op{impl, code, input, output}, token, impl->descriptor);
    }

private:
    void shutdown() override;

    std::mutex mutex_;
    std::set<implementation_type*> ports_;
};

} // namespace device
